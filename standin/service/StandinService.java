import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.io.PrintStream;
import java.net.StandardProtocolFamily;
import java.net.UnixDomainSocketAddress;
import java.nio.channels.Channels;
import java.nio.channels.SelectionKey;
import java.nio.channels.Selector;
import java.nio.channels.ServerSocketChannel;
import java.nio.channels.SocketChannel;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.attribute.PosixFilePermissions;
import java.util.ArrayList;
import java.util.List;
import java.util.Optional;
import java.util.spi.ToolProvider;

/**
 * The warm compile service behind the stand-in javac and jar: one virtual
 * machine per user and stand-in tree that runs the tools in-process, one call
 * at a time, printing what the cold tool would print. A call it cannot
 * answer exactly as the cold tool would, it hands back to the client to run
 * cold. It ends after IDLE_MILLIS without calls, when one of the watched
 * files (its own classes, the compiler, the tool scripts) changes, or when its
 * socket goes.
 *
 * java StandinService SOCKET WATCHED-FILE...
 */
public final class StandinService {
    private static final long IDLE_MILLIS = 10 * 60 * 1000;
    private static final long TICK_MILLIS = 2000;
    private static final byte OUT = 1, ERR = 2, EXIT = 3, COLD = 4;

    private final Path socket;
    private final List<Path> watched = new ArrayList<>();
    private final List<String> stamps = new ArrayList<>();

    private StandinService(Path socket) {
        this.socket = socket;
    }

    public static void main(String[] args) throws IOException {
        if (args.length < 1)
            System.exit(2);
        StandinService service = new StandinService(Paths.get(args[0]));
        for (int i = 1; i < args.length; ++i)
            service.watched.add(Paths.get(args[i]));
        service.stamps.addAll(service.stamps());
        service.serve();
        System.exit(0);
    }

    private List<String> stamps() {
        List<String> now = new ArrayList<>();
        for (Path file : watched) {
            File f = file.toFile();
            now.add(f.exists() ? f.lastModified() + "/" + f.length() : "gone");
        }
        return now;
    }

    private void serve() throws IOException {
        if (!claimSocket())
            return;
        try (ServerSocketChannel server = ServerSocketChannel.open(StandardProtocolFamily.UNIX);
             Selector selector = Selector.open()) {
            server.bind(UnixDomainSocketAddress.of(socket));
            Files.setPosixFilePermissions(socket, PosixFilePermissions.fromString("rw-------"));
            server.configureBlocking(false);
            server.register(selector, SelectionKey.OP_ACCEPT);
            long lastCall = System.currentTimeMillis();
            while (true) {
                selector.select(TICK_MILLIS);
                selector.selectedKeys().clear();
                if (!Files.exists(socket) || !stamps.equals(stamps()))
                    break;
                SocketChannel client = server.accept();
                if (client == null) {
                    if (System.currentTimeMillis() - lastCall > IDLE_MILLIS)
                        break;
                    continue;
                }
                lastCall = System.currentTimeMillis();
                try (SocketChannel call = client) {
                    call.configureBlocking(true);
                    if (!answer(call))
                        break;
                } catch (IOException e) {
                    // The client went; the next call is served as usual.
                }
            }
        } finally {
            Files.deleteIfExists(socket);
        }
    }

    // A socket file left by a service that died is taken over; a live one is left alone.
    private boolean claimSocket() throws IOException {
        if (!Files.exists(socket))
            return true;
        try (SocketChannel probe = SocketChannel.open(UnixDomainSocketAddress.of(socket))) {
            return false;
        } catch (IOException e) {
            Files.deleteIfExists(socket);
            return true;
        }
    }

    // False when the call asks the service to end.
    private boolean answer(SocketChannel call) throws IOException {
        DataInputStream in = new DataInputStream(Channels.newInputStream(call));
        DataOutputStream out = new DataOutputStream(Channels.newOutputStream(call));
        String tool = text(in);
        if (tool.equals("stop"))
            return false;
        File cwd = new File(text(in));
        int count = Integer.parseInt(text(in));
        String[] args = new String[count];
        for (int i = 0; i < count; ++i)
            args[i] = text(in);
        // Cold answers are byte for byte, so a changed stand-in is never run warm.
        if (!stamps.equals(stamps())) {
            frame(out, COLD, new byte[0]);
            return false;
        }
        ByteArrayOutputStream stdout = new ByteArrayOutputStream();
        ByteArrayOutputStream stderr = new ByteArrayOutputStream();
        int status;
        if (tool.equals("javac")) {
            status = StandinJavac.run(args, new PrintStream(stdout, true, "UTF-8"), cwd);
        } else if (tool.equals("jar")) {
            String[] absolute = JarArguments.inFolder(args, cwd);
            Optional<ToolProvider> jar = ToolProvider.findFirst("jar");
            if (absolute == null || !jar.isPresent()) {
                frame(out, COLD, new byte[0]);
                return true;
            }
            try (PrintStream o = new PrintStream(stdout, true); PrintStream e = new PrintStream(stderr, true)) {
                status = jar.get().run(o, e, absolute);
            }
        } else {
            frame(out, COLD, new byte[0]);
            return true;
        }
        if (stdout.size() > 0)
            frame(out, OUT, stdout.toByteArray());
        if (stderr.size() > 0)
            frame(out, ERR, stderr.toByteArray());
        frame(out, EXIT, new byte[] {(byte) (status >> 24), (byte) (status >> 16), (byte) (status >> 8), (byte) status});
        out.flush();
        return true;
    }

    private static String text(DataInputStream in) throws IOException {
        byte[] bytes = new byte[in.readInt()];
        in.readFully(bytes);
        return new String(bytes, StandardCharsets.UTF_8);
    }

    private static void frame(DataOutputStream out, byte kind, byte[] data) throws IOException {
        out.writeByte(kind);
        out.writeInt(data.length);
        out.write(data);
    }
}
