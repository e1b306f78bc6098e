import com.nttdocomo.ui.*;
import java.io.*;

// Text in the handset's code, Windows-31J, through every path that takes the
// default encoding; the screen shows the decoded text above the same text
// written as a literal.
public class Kanji extends IApplication {
    private static final byte[] NIHONGO = {(byte) 0x93, (byte) 0xfa, (byte) 0x96, (byte) 0x7b, (byte) 0x8c, (byte) 0xea};
    private static final String LITERAL = "\u65e5\u672c\u8a9e";

    public void start() {
        final String text = new String(NIHONGO);
        StringBuffer report = new StringBuffer(text);
        report.append(" " + text.equals(LITERAL) + " " + LITERAL.getBytes().length);
        try {
            Reader reader = new InputStreamReader(new ByteArrayInputStream(NIHONGO));
            char[] read = new char[8];
            report.append(" " + new String(read, 0, reader.read(read)));
            ByteArrayOutputStream written = new ByteArrayOutputStream();
            Writer writer = new OutputStreamWriter(written);
            writer.write(LITERAL);
            writer.close();
            report.append(" " + written.size());
            ByteArrayOutputStream printed = new ByteArrayOutputStream();
            PrintStream print = new PrintStream(printed);
            print.print(LITERAL);
            print.flush();
            report.append(" " + printed.size());
        } catch (IOException e) {
            report.append(" failed: " + e);
        }
        System.out.println(report);
        System.out.write(NIHONGO, 0, NIHONGO.length);
        System.out.println();
        Display.setCurrent(new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(Graphics.WHITE));
                g.fillRect(0, 0, getWidth(), getHeight());
                g.setColor(Graphics.getColorOfName(Graphics.BLACK));
                g.drawString(text, 10, 60);
                g.drawString(LITERAL, 10, 60 + getHeight() / 2);
            }
        });
    }
}
