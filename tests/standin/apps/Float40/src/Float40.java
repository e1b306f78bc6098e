import com.nttdocomo.ui.*;

// A DoJa-4.0 application: CLDC 1.1 brings float, double and Math.sin.
public class Float40 extends IApplication {
    public void start() {
        float half = 1.5f;
        double sine = Math.sin(Math.PI / 2);
        float root = (float) Math.sqrt(2.25);
        System.out.println("float " + half * 2 + ", sin " + sine + ", root " + root);
        final boolean right = half * 2 == 3.0f && sine == 1.0 && root == 1.5f;
        Display.setCurrent(new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(right ? Graphics.LIME : Graphics.RED));
                g.fillRect(0, 0, getWidth(), getHeight());
            }
        });
    }
}
