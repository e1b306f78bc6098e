import com.nttdocomo.ui.*;

// A first application: a square that the arrow keys move, and a line of text.
// Press Run after Build; the soft key 2 (F2 in the emulator) ends it.
public class Sample extends IApplication {
    public void start() {
        Display.setCurrent(new SquareCanvas());
    }
}

class SquareCanvas extends Canvas {
    private static final int SIZE = 20;
    private static final int STEP = 8;
    private int x = (Display.getWidth() - SIZE) / 2;
    private int y = (Display.getHeight() - SIZE) / 2;

    SquareCanvas() {
        setSoftLabel(SOFT_KEY_2, "END");
    }

    public void paint(Graphics g) {
        g.lock();
        g.setColor(Graphics.getColorOfName(Graphics.WHITE));
        g.fillRect(0, 0, getWidth(), getHeight());
        g.setColor(Graphics.getColorOfName(Graphics.BLACK));
        g.drawString("Hello, i-appli!", 10, 20);
        g.setColor(Graphics.getColorOfRGB(0, 128, 255));
        g.fillRect(x, y, SIZE, SIZE);
        g.unlock(true);
    }

    public void processEvent(int type, int param) {
        if (type != Display.KEY_PRESSED_EVENT)
            return;
        if (param == Display.KEY_LEFT)
            x = Math.max(0, x - STEP);
        else if (param == Display.KEY_RIGHT)
            x = Math.min(getWidth() - SIZE, x + STEP);
        else if (param == Display.KEY_UP)
            y = Math.max(0, y - STEP);
        else if (param == Display.KEY_DOWN)
            y = Math.min(getHeight() - SIZE, y + STEP);
        else if (param == Display.KEY_SOFT2)
            IApplication.getCurrentApp().terminate();
        repaint();
    }
}
