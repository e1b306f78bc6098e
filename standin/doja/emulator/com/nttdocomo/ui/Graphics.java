package com.nttdocomo.ui;

import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.RenderingHints;
import java.util.function.Consumer;

/** Drawing on the handset's screen, with the origin, colour and font of this object. */
public class Graphics {
    public static final int BLACK = 0;
    public static final int BLUE = 1;
    public static final int LIME = 2;
    public static final int AQUA = 3;
    public static final int RED = 4;
    public static final int FUCHSIA = 5;
    public static final int YELLOW = 6;
    public static final int WHITE = 7;
    public static final int GRAY = 8;
    public static final int NAVY = 9;
    public static final int GREEN = 10;
    public static final int TEAL = 11;
    public static final int MAROON = 12;
    public static final int PURPLE = 13;
    public static final int OLIVE = 14;
    public static final int SILVER = 15;

    // The sixteen named colours, as HTML names them.
    private static final int[] NAMED = {
        0x000000, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff,
        0x808080, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
    };

    private final Handset handset;
    private int originX;
    private int originY;
    private int color;
    private Font font = Font.getDefaultFont();

    protected Graphics() {
        this(Handset.current());
    }

    Graphics(Handset handset) {
        this.handset = handset;
    }

    public static int getColorOfName(int name) {
        if (name < 0 || name >= NAMED.length)
            throw new IllegalArgumentException("色の名前 " + name + " はありません");
        return NAMED[name];
    }

    public static int getColorOfRGB(int r, int g, int b) {
        if ((r | g | b) < 0 || r > 255 || g > 255 || b > 255)
            throw new IllegalArgumentException("RGB は 0 から 255 の値です");
        return (r << 16) | (g << 8) | b;
    }

    public void lock() {
        handset.lock();
    }

    public void unlock(boolean forced) {
        handset.unlock(forced);
    }

    public void setColor(int c) {
        color = c;
    }

    public void setFont(Font f) {
        if (f == null)
            throw new NullPointerException("font");
        font = f;
    }

    public void setOrigin(int x, int y) {
        originX = x;
        originY = y;
    }

    public void clearRect(int x, int y, int width, int height) {
        paint(handset.background(), g -> g.fillRect(originX + x, originY + y, width, height));
    }

    public void drawLine(int x1, int y1, int x2, int y2) {
        paint(color, g -> g.drawLine(originX + x1, originY + y1, originX + x2, originY + y2));
    }

    public void drawRect(int x, int y, int width, int height) {
        paint(color, g -> g.drawRect(originX + x, originY + y, width, height));
    }

    public void fillRect(int x, int y, int width, int height) {
        paint(color, g -> g.fillRect(originX + x, originY + y, width, height));
    }

    public void drawArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        paint(color, g -> g.drawArc(originX + x, originY + y, width, height, startAngle, arcAngle));
    }

    public void fillArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        paint(color, g -> g.fillArc(originX + x, originY + y, width, height, startAngle, arcAngle));
    }

    // y is the baseline.
    public void drawString(String str, int x, int y) {
        if (str == null)
            throw new NullPointerException("str");
        paint(color, g -> {
            g.setFont(font.awtFont());
            g.setRenderingHint(RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_OFF);
            g.drawString(str, originX + x, originY + y);
        });
    }

    public void drawImage(Image image, int x, int y) {
        if (image == null)
            throw new NullPointerException("image");
        paint(color, g -> g.drawImage(image.picture(), originX + x, originY + y, null));
    }

    private void paint(int rgb, Consumer<Graphics2D> operation) {
        synchronized (handset) {
            Graphics2D g = handset.screen().createGraphics();
            g.setColor(new Color(rgb & 0xffffff));
            operation.accept(g);
            g.dispose();
        }
        handset.drawn();
    }
}
