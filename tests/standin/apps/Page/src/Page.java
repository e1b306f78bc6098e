import com.nttdocomo.ui.*;

// A page set by HTMLLayout: a centred label, a label on the right, then two
// labels with a line break between them. The key 0 reports where they are.
public class Page extends IApplication implements KeyListener {
    private final Label centre = label("Centre", Graphics.RED);
    private final Label right = label("Right", Graphics.BLUE);
    private final Label first = label("One", Graphics.WHITE);
    private final Label second = label("Two", Graphics.WHITE);

    public void start() {
        Panel panel = new Panel();
        HTMLLayout html = new HTMLLayout();
        panel.setLayoutManager(html);
        html.begin(HTMLLayout.CENTER);
        panel.add(centre);
        html.end();
        html.begin(HTMLLayout.RIGHT);
        panel.add(right);
        html.end();
        panel.add(first);
        html.br();
        panel.add(second);
        panel.setKeyListener(this);
        Display.setCurrent(panel);
    }

    private static Label label(String text, int colour) {
        Label label = new Label(text);
        label.setBackground(Graphics.getColorOfName(colour));
        if (colour != Graphics.WHITE)
            label.setSize(60, 20);
        return label;
    }

    public void keyPressed(Panel panel, int key) {
        int edge = right.getX() + right.getWidth();
        int leftGap = centre.getX();
        int rightGap = edge - centre.getX() - centre.getWidth();
        System.out.println("centred " + (Math.abs(leftGap - rightGap) <= 1)
            + ", right " + (edge > Display.getWidth() - 8)
            + ", broken " + (second.getY() > first.getY() && second.getX() == first.getX()));
    }

    public void keyReleased(Panel panel, int key) {
    }
}
