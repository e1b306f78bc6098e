package javax.microedition.io;

import com.nttdocomo.dojaemu.HttpClientConnection;
import com.nttdocomo.dojaemu.Resources;
import com.nttdocomo.dojaemu.ScratchpadConnection;

import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;

/** The emulator's connections: the scratchpads, the archive's resources and HTTP. */
public class Connector {
    public static final int READ = 1;
    public static final int WRITE = 2;
    public static final int READ_WRITE = 3;

    private Connector() {
    }

    public static Connection open(String name) throws IOException {
        return open(name, READ_WRITE, false);
    }

    public static Connection open(String name, int mode) throws IOException {
        return open(name, mode, false);
    }

    public static Connection open(String name, int mode, boolean timeouts) throws IOException {
        if (name.startsWith(ScratchpadConnection.SCHEME))
            return new ScratchpadConnection(name);
        if (name.startsWith("http://") || name.startsWith("https://"))
            return new HttpClientConnection(name, timeouts);
        if (name.startsWith(Resources.SCHEME))
            return resource(name.substring(Resources.SCHEME.length()));
        throw new ConnectionNotFoundException("このエミュレータでは開けない接続です: " + name);
    }

    private static InputConnection resource(final String path) {
        return new InputConnection() {
            public InputStream openInputStream() throws IOException {
                return Resources.openResource(path);
            }

            public DataInputStream openDataInputStream() throws IOException {
                return new DataInputStream(openInputStream());
            }

            public void close() {
            }
        };
    }

    public static DataInputStream openDataInputStream(String name) throws IOException {
        return new DataInputStream(openInputStream(name));
    }

    public static DataOutputStream openDataOutputStream(String name) throws IOException {
        return new DataOutputStream(openOutputStream(name));
    }

    public static InputStream openInputStream(String name) throws IOException {
        Connection connection = open(name, READ);
        if (!(connection instanceof InputConnection))
            throw new IllegalArgumentException(name);
        return ((InputConnection) connection).openInputStream();
    }

    public static OutputStream openOutputStream(String name) throws IOException {
        Connection connection = open(name, WRITE);
        if (!(connection instanceof OutputConnection))
            throw new IllegalArgumentException(name);
        return ((OutputConnection) connection).openOutputStream();
    }
}
