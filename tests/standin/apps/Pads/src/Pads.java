import com.nttdocomo.ui.*;
import java.io.*;
import javax.microedition.io.Connector;

// Two scratchpads: reads the first, writes into the second, and tries to
// write past a length and to open a third the descriptor does not give.
public class Pads extends IApplication {
    private static final String EXPECTED = "ABCDEFGH 772 end, overrun refused, third refused";

    public void start() {
        StringBuffer report = new StringBuffer();
        try {
            DataInputStream in = Connector.openDataInputStream("scratchpad:///0");
            byte[] first = new byte[8];
            in.readFully(first);
            in.close();
            report.append(new String(first));
            DataOutputStream out = Connector.openDataOutputStream("scratchpad:///1;pos=4");
            out.writeInt(0x01020304);
            out.close();
            in = Connector.openDataInputStream("scratchpad:///1;pos=6;length=2");
            report.append(" " + in.readUnsignedShort() + (in.read() < 0 ? " end" : " more"));
            in.close();
            report.append(refused("scratchpad:///1;pos=12;length=2", 3) ? ", overrun refused" : ", overrun written");
            report.append(refused("scratchpad:///2", 1) ? ", third refused" : ", third written");
        } catch (IOException e) {
            report.append(" failed: " + e);
        }
        System.out.println(report);
        final int colour = report.toString().equals(EXPECTED) ? Graphics.LIME : Graphics.RED;
        Display.setCurrent(new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(colour));
                g.fillRect(0, 0, getWidth(), getHeight());
            }
        });
    }

    private static boolean refused(String name, int bytes) {
        try {
            OutputStream out = Connector.openOutputStream(name);
            out.write(new byte[bytes]);
            out.close();
            return false;
        } catch (IOException e) {
            return true;
        }
    }
}
