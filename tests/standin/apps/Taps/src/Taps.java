import com.nttdocomo.ui.*;

// Polls the keypad only when # goes down: keys tapped before it must show in
// that poll, once, and every event still arrives in order.
public class Taps extends IApplication {
    public void start() {
        Display.setCurrent(new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(Graphics.LIME));
                g.fillRect(0, 0, getWidth(), getHeight());
            }

            public void processEvent(int type, int param) {
                if (type == Display.KEY_RELEASED_EVENT)
                    System.out.println("release " + param);
                if (type != Display.KEY_PRESSED_EVENT)
                    return;
                System.out.println("press " + param);
                if (param != Display.KEY_POUND)
                    return;
                int state = getKeypadState();
                StringBuffer line = new StringBuffer("poll");
                for (int key = 0; key < 32; ++key) {
                    if ((state & (1 << key)) != 0)
                        line.append(" " + key);
                }
                System.out.println(line);
            }
        });
    }
}
