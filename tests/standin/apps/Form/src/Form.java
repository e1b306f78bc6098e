import com.nttdocomo.ui.*;

// A form of every component. Each event is printed; the key 0 reports
// whether the parts were laid out in order within the screen and turns the
// form green when every event came as the test's keys should make it.
public class Form extends IApplication implements ComponentListener, KeyListener, SoftKeyListener {
    private static final String[] ITEMS = {"a", "b", "c"};
    private final Panel panel = new Panel();
    private Component[] parts;
    private Ticker ticker;
    private String events = "";

    public void start() {
        ticker = new Ticker("The news of the day");
        parts = new Component[] {
            new Label("èÄîıÇÊÇµ"), new Button("OK"), new TextBox("text", 8, 1, TextBox.DISPLAY_ANY),
            list(ListBox.SINGLE_SELECT), list(ListBox.RADIO_BUTTON), list(ListBox.CHECK_BOX),
            list(ListBox.NUMBERED_LIST), list(ListBox.MULTIPLE_SELECT), list(ListBox.CHOICE),
            new AnchorButton("link"), new ImageButton(square(Graphics.BLUE)), new ImageLabel(square(Graphics.RED)),
            ticker,
        };
        panel.setTitle("Form");
        for (int i = 0; i < parts.length; ++i)
            panel.add(parts[i]);
        panel.setComponentListener(this);
        panel.setKeyListener(this);
        panel.setSoftKeyListener(this);
        panel.setSoftLabel(Frame.SOFT_KEY_1, "Ask");
        Display.setCurrent(panel);
    }

    private static ListBox list(int type) {
        ListBox list = new ListBox(type);
        list.setItems(ITEMS);
        return list;
    }

    private static Image square(int colour) {
        Image image = Image.createImage(12, 12);
        Graphics g = image.getGraphics();
        g.setColor(Graphics.getColorOfName(colour));
        g.fillRect(0, 0, 12, 12);
        return image;
    }

    private int index(Component c) {
        for (int i = 0; i < parts.length; ++i) {
            if (parts[i] == c)
                return i;
        }
        return -1;
    }

    private void heard(String event) {
        System.out.println(event);
        events += event + ";";
    }

    public void componentAction(Component source, int type, int param) {
        heard("part " + index(source) + " type " + type + " param " + param);
    }

    public void keyPressed(Panel p, int key) {
        heard("key " + key);
        if (key == Display.KEY_0) {
            boolean laidOut = laidOutInOrder();
            System.out.println(laidOut ? "laid out in order" : "laid out wrong");
            boolean asExpected = events.equals("key 20;part 1 type 1 param 0;key 19;key 19;key 19;key 20;"
                + "part 3 type 2 param 1;key 5;soft 0;answer 8;key 0;");
            panel.setBackground(Graphics.getColorOfName(laidOut && asExpected ? Graphics.LIME : Graphics.RED));
        }
    }

    public void keyReleased(Panel p, int key) {
    }

    public void softKeyPressed(int key) {
        heard("soft " + key);
        Dialog dialog = new Dialog(Dialog.DIALOG_YESNO, "Form");
        dialog.setText("Sure?");
        heard("answer " + dialog.show());
    }

    public void softKeyReleased(int key) {
    }

    // Left to right, then on the next line; nothing past the screen's right edge.
    private boolean laidOutInOrder() {
        for (int i = 0; i < parts.length; ++i) {
            Component c = parts[i];
            if (c.getWidth() <= 0 || c.getX() < 0 || c.getX() + c.getWidth() > Display.getWidth())
                return false;
            if (i > 0) {
                Component before = parts[i - 1];
                boolean sameLine = c.getY() == before.getY() && c.getX() > before.getX();
                boolean nextLine = c.getY() >= before.getY() + before.getHeight();
                if (!sameLine && !nextLine)
                    return false;
            }
        }
        return ticker.getWidth() > Display.getWidth() / 2;
    }
}
