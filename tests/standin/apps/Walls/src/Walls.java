import com.nttdocomo.ui.*;

// Which classes the application can reach by name: those of the handset and
// its own, not the desktop's nor the emulator's.
public class Walls extends IApplication {
    public void start() {
        System.out.println(find("java.util.logging.FileHandler") + " " + find("java.util.ArrayList") + " "
                + find("com.nttdocomo.ui.Handset") + " " + find("java.util.Vector") + " " + find("com.nttdocomo.ui.Canvas")
                + " " + find("Walls"));
        Display.setCurrent(new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(Graphics.LIME));
                g.fillRect(0, 0, getWidth(), getHeight());
            }
        });
    }

    private static String find(String name) {
        try {
            Class.forName(name).newInstance();
            return "made";
        } catch (ClassNotFoundException e) {
            return "missing";
        } catch (Exception e) {
            return "found";
        }
    }
}
