import com.nttdocomo.ui.*;

// A game whose start() never returns: it runs its own loop, and its canvas
// still hears the keys. Green after two keys.
public class Loop extends IApplication {
    private int pressed;

    public void start() {
        Canvas canvas = new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(pressed >= 2 ? Graphics.LIME : Graphics.RED));
                g.fillRect(0, 0, getWidth(), getHeight());
            }

            public void processEvent(int type, int param) {
                if (type != Display.KEY_PRESSED_EVENT)
                    return;
                ++pressed;
                System.out.println("key " + param);
                repaint();
            }
        };
        Display.setCurrent(canvas);
        while (true) {
            canvas.repaint();
            try {
                Thread.sleep(100);
            } catch (InterruptedException e) {
                return;
            }
        }
    }
}
