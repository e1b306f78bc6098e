import com.nttdocomo.ui.*;

// A canvas game: a ship from the archive, drawn through an image of the
// game's own, moved by the arrow keys; * and # light the top corners.
public class Game extends IApplication {
    public void start() {
        Display.setCurrent(new Field());
    }
}

class Field extends Canvas {
    private static final int STEP = 8;
    private final Image buffer = Image.createImage(getWidth(), getHeight());
    private Image ship;
    private int x = 80;
    private int y = 100;
    private boolean star;
    private boolean pound;

    Field() {
        MediaImage media = MediaManager.getImage("resource:///ship.gif");
        try {
            media.use();
            ship = media.getImage();
        } catch (Exception e) {
            System.out.println("no ship: " + e);
        }
        setSoftLabel(SOFT_KEY_2, "END");
    }

    public void paint(Graphics g) {
        Graphics b = buffer.getGraphics();
        b.setColor(Graphics.getColorOfRGB(0, 0, 128));
        b.fillRect(0, 0, getWidth(), getHeight());
        if (ship != null)
            b.drawImage(ship, x, y);
        if (star) {
            b.setColor(Graphics.getColorOfName(Graphics.YELLOW));
            b.fillRect(0, 0, 16, 16);
        }
        if (pound) {
            b.setColor(Graphics.getColorOfName(Graphics.AQUA));
            b.fillRect(getWidth() - 16, 0, 16, 16);
        }
        g.drawImage(buffer, 0, 0);
    }

    public void processEvent(int type, int param) {
        if (type != Display.KEY_PRESSED_EVENT)
            return;
        if (param == Display.KEY_LEFT)
            x -= STEP;
        else if (param == Display.KEY_RIGHT)
            x += STEP;
        else if (param == Display.KEY_UP)
            y -= STEP;
        else if (param == Display.KEY_DOWN)
            y += STEP;
        else if (param == Display.KEY_ASTERISK)
            star = true;
        else if (param == Display.KEY_POUND)
            pound = true;
        else if (param == Display.KEY_SOFT2)
            IApplication.getCurrentApp().terminate();
        repaint();
    }
}
