import com.nttdocomo.io.HttpConnection;
import com.nttdocomo.ui.*;
import java.io.*;
import javax.microedition.io.Connector;

// Fetches from the server named by its first argument: a GET, a POST and a
// missing page. Green when all came back as the test server answers, blue
// when the network was refused.
public class Fetch extends IApplication {
    public void start() {
        String base = getArgs().length > 0 ? getArgs()[0] : "";
        int colour = Graphics.RED;
        try {
            String got = text(open(base + "/hello", HttpConnection.GET, null));
            String echoed = text(open(base + "/echo", HttpConnection.POST, "abc"));
            int missing = open(base + "/missing", HttpConnection.GET, null).getResponseCode();
            System.out.println("get " + got + ", post " + echoed + ", missing " + missing);
            if (got.equals("hello") && echoed.equals("ABC") && missing == 404)
                colour = Graphics.LIME;
        } catch (SecurityException e) {
            System.out.println("refused: " + e.getClass().getName());
            colour = Graphics.BLUE;
        } catch (IOException e) {
            System.out.println("failed: " + e);
        }
        final int shown = colour;
        Display.setCurrent(new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(shown));
                g.fillRect(0, 0, getWidth(), getHeight());
            }
        });
    }

    private static HttpConnection open(String url, String method, String body) throws IOException {
        HttpConnection connection = (HttpConnection) Connector.open(url, Connector.READ_WRITE, true);
        connection.setRequestMethod(method);
        if (body != null) {
            OutputStream out = connection.openOutputStream();
            out.write(body.getBytes());
            out.close();
        }
        connection.connect();
        return connection;
    }

    private static String text(HttpConnection connection) throws IOException {
        InputStream in = connection.openInputStream();
        StringBuffer text = new StringBuffer();
        for (int c = in.read(); c >= 0; c = in.read())
            text.append((char) c);
        in.close();
        connection.close();
        return text.toString();
    }
}
