package com.nttdocomo.ui;

import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.Rectangle;
import java.awt.RenderingHints;
import java.awt.geom.AffineTransform;
import java.awt.image.BufferedImage;
import java.util.function.Consumer;

/**
 * Drawing on the handset's screen or on an image, with the origin, colour,
 * font, clip and flip mode of this object.
 */
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
    public static final int FLIP_HORIZONTAL = 1;
    public static final int FLIP_NONE = 0;
    public static final int FLIP_ROTATE = 3;
    public static final int FLIP_ROTATE_LEFT = 4;
    public static final int FLIP_ROTATE_RIGHT = 5;
    public static final int FLIP_VERTICAL = 2;
    public static final int FLIP_ROTATE_RIGHT_HORIZONTAL = 6;
    public static final int FLIP_ROTATE_RIGHT_VERTICAL = 7;

    // The sixteen named colours, as HTML names them.
    private static final int[] NAMED = {
        0x000000, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff,
        0x808080, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
    };
    // drawImage's matrix is read in 4096ths.
    private static final double MATRIX_ONE = 4096.0;

    private final BufferedImage target;
    private final Handset handset;  // null when drawing on an image
    private int originX;
    private int originY;
    private int color;
    private Font font = Font.getDefaultFont();
    private Rectangle clip;
    private int flipMode = FLIP_NONE;

    protected Graphics() {
        this(Handset.current().screen(), Handset.current());
    }

    Graphics(BufferedImage target, Handset handset) {
        this.target = target;
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

    public Graphics copy() {
        Graphics copy = new Graphics(target, handset);
        copy.originX = originX;
        copy.originY = originY;
        copy.color = color;
        copy.font = font;
        copy.clip = clip == null ? null : new Rectangle(clip);
        copy.flipMode = flipMode;
        return copy;
    }

    public void dispose() {
    }

    public void lock() {
        if (handset != null)
            handset.lock();
    }

    public void unlock(boolean forced) {
        if (handset != null)
            handset.unlock(forced);
    }

    public void setColor(int color) {
        this.color = color;
    }

    public void setFont(Font f) {
        if (f == null)
            throw new NullPointerException("f");
        font = f;
    }

    public void setOrigin(int x, int y) {
        originX = x;
        originY = y;
    }

    public void setPictoColorEnabled(boolean b) {
    }

    public void setFlipMode(int flipmode) {
        if (flipmode < FLIP_NONE || flipmode > FLIP_ROTATE_RIGHT_VERTICAL)
            throw new IllegalArgumentException("flipmode");
        flipMode = flipmode;
    }

    // The clip ------------------------------------------------------------------

    public void setClip(int x, int y, int width, int height) {
        clip = new Rectangle(originX + x, originY + y, Math.max(0, width), Math.max(0, height));
    }

    public void clipRect(int x, int y, int width, int height) {
        Rectangle more = new Rectangle(originX + x, originY + y, Math.max(0, width), Math.max(0, height));
        clip = clip == null ? more : clip.intersection(more);
        if (clip.isEmpty())
            clip = new Rectangle(0, 0, 0, 0);
    }

    public void clearClip() {
        clip = null;
    }

    // Shapes and text -------------------------------------------------------------

    public void clearRect(int x, int y, int width, int height) {
        int background = handset == null ? 0xffffff : handset.background();
        paint(background, g -> g.fillRect(originX + x, originY + y, width, height));
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

    public void drawPolyline(int[] xPoints, int[] yPoints, int nPoints) {
        drawPolyline(xPoints, yPoints, 0, nPoints);
    }

    public void drawPolyline(int[] xPoints, int[] yPoints, int offset, int count) {
        int[][] points = points(xPoints, yPoints, offset, count);
        paint(color, g -> g.drawPolyline(points[0], points[1], count));
    }

    public void fillPolygon(int[] xPoints, int[] yPoints, int nPoints) {
        fillPolygon(xPoints, yPoints, 0, nPoints);
    }

    public void fillPolygon(int[] xPoints, int[] yPoints, int offset, int count) {
        int[][] points = points(xPoints, yPoints, offset, count);
        paint(color, g -> g.fillPolygon(points[0], points[1], count));
    }

    private int[][] points(int[] xPoints, int[] yPoints, int offset, int count) {
        if (xPoints == null || yPoints == null)
            throw new NullPointerException("xPoints, yPoints");
        if (offset < 0 || count < 0 || offset + count > xPoints.length || offset + count > yPoints.length)
            throw new ArrayIndexOutOfBoundsException("offset, count");
        int[][] points = new int[2][count];
        for (int i = 0; i < count; ++i) {
            points[0][i] = originX + xPoints[offset + i];
            points[1][i] = originY + yPoints[offset + i];
        }
        return points;
    }

    /** y is the baseline. */
    public void drawString(String str, int x, int y) {
        if (str == null)
            throw new NullPointerException("str");
        paint(color, g -> {
            g.setFont(font.awtFont());
            g.setRenderingHint(RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_OFF);
            g.drawString(Text.printable(str), originX + x, originY + y);
        });
    }

    public void drawChars(char[] data, int x, int y, int off, int len) {
        if (data == null)
            throw new NullPointerException("data");
        if (off < 0 || len < 0 || off + len > data.length)
            throw new ArrayIndexOutOfBoundsException("off, len");
        drawString(new String(data, off, len), x, y);
    }

    // Images ------------------------------------------------------------------

    public void drawImage(Image image, int x, int y) {
        if (image == null)
            throw new NullPointerException("image");
        drawImage(image, x, y, 0, 0, image.getWidth(), image.getHeight());
    }

    public void drawImage(Image image, int dx, int dy, int sx, int sy, int width, int height) {
        BufferedImage part = part(image, sx, sy, width, height);
        if (part == null)
            return;
        AffineTransform flip = flip(part.getWidth(), part.getHeight());
        flip.preConcatenate(AffineTransform.getTranslateInstance(originX + dx, originY + dy));
        paint(color, g -> {
            g.setComposite(image.composite());
            g.drawImage(part, flip, null);
        });
    }

    public void drawScaledImage(Image image, int dx, int dy, int width, int height, int sx, int sy, int swidth, int sheight) {
        BufferedImage source = part(image, sx, sy, swidth, sheight);
        if (source == null || width <= 0 || height <= 0)
            return;
        paint(color, g -> {
            g.setComposite(image.composite());
            g.drawImage(source, originX + dx, originY + dy, width, height, null);
        });
    }

    public void drawImage(Image image, int[] matrix) {
        if (image == null)
            throw new NullPointerException("image");
        drawImage(image, matrix, 0, 0, image.getWidth(), image.getHeight());
    }

    public void drawImage(Image image, int[] matrix, int sx, int sy, int width, int height) {
        if (matrix == null)
            throw new NullPointerException("matrix");
        if (matrix.length < 6)
            throw new IllegalArgumentException("matrix");
        BufferedImage part = part(image, sx, sy, width, height);
        if (part == null)
            return;
        AffineTransform transform = new AffineTransform(matrix[0] / MATRIX_ONE, matrix[3] / MATRIX_ONE,
            matrix[1] / MATRIX_ONE, matrix[4] / MATRIX_ONE, originX + matrix[2], originY + matrix[5]);
        paint(color, g -> {
            g.setComposite(image.composite());
            g.drawImage(part, transform, null);
        });
    }

    public void drawSpriteSet(SpriteSet sprites) {
        drawSpriteSet(sprites, 0, sprites.getCount());
    }

    public void drawSpriteSet(SpriteSet sprites, int offset, int count) {
        if (sprites == null)
            throw new NullPointerException("sprites");
        sprites.drawOn(copy(), offset, count);
    }

    public void drawImageMap(ImageMap map, int x, int y) {
        if (map == null)
            throw new NullPointerException("map");
        map.drawOn(this, x, y);
    }

    private static BufferedImage part(Image image, int sx, int sy, int width, int height) {
        if (image == null)
            throw new NullPointerException("image");
        BufferedImage whole = image.drawn();
        Rectangle inside = new Rectangle(sx, sy, width, height).intersection(new Rectangle(0, 0, whole.getWidth(), whole.getHeight()));
        return inside.isEmpty() ? null : whole.getSubimage(inside.x, inside.y, inside.width, inside.height);
    }

    // Places a width x height picture, turned as the flip mode says, with its top left at 0,0.
    private AffineTransform flip(int width, int height) {
        switch (flipMode) {
        case FLIP_HORIZONTAL: return new AffineTransform(-1, 0, 0, 1, width, 0);
        case FLIP_VERTICAL: return new AffineTransform(1, 0, 0, -1, 0, height);
        case FLIP_ROTATE: return new AffineTransform(-1, 0, 0, -1, width, height);
        case FLIP_ROTATE_LEFT: return new AffineTransform(0, -1, 1, 0, 0, width);
        case FLIP_ROTATE_RIGHT: return new AffineTransform(0, 1, -1, 0, height, 0);
        case FLIP_ROTATE_RIGHT_HORIZONTAL: return new AffineTransform(0, 1, 1, 0, 0, 0);
        case FLIP_ROTATE_RIGHT_VERTICAL: return new AffineTransform(0, -1, -1, 0, height, width);
        default: return new AffineTransform();
        }
    }

    // Pixels ------------------------------------------------------------------

    /** copyArea's dx, dy name the destination, as drawImage's do. */
    public void copyArea(int x, int y, int width, int height, int dx, int dy) {
        if (width <= 0 || height <= 0)
            return;
        paint(color, g -> {
            BufferedImage area = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
            Graphics2D copy = area.createGraphics();
            copy.drawImage(target, -(originX + x), -(originY + y), null);
            copy.dispose();
            g.drawImage(area, originX + dx, originY + dy, null);
        });
    }

    public int getRGBPixel(int x, int y) {
        synchronized (guard()) {
            int px = originX + x;
            int py = originY + y;
            if (px < 0 || py < 0 || px >= target.getWidth() || py >= target.getHeight())
                throw new IllegalArgumentException("x, y");
            return target.getRGB(px, py) & 0xffffff;
        }
    }

    public int[] getRGBPixels(int x, int y, int width, int height, int[] pixels, int off) {
        if (width < 0 || height < 0)
            throw new IllegalArgumentException("width, height");
        int[] into = pixels != null ? pixels : new int[off + width * height];
        if (off < 0 || off + width * height > into.length)
            throw new ArrayIndexOutOfBoundsException("off");
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column)
                into[off + row * width + column] = getRGBPixel(x + column, y + row);
        }
        return into;
    }

    public void setRGBPixel(int x, int y, int pixel) {
        paint(pixel, g -> g.fillRect(originX + x, originY + y, 1, 1));
    }

    public void setRGBPixels(int x, int y, int width, int height, int[] pixels, int off) {
        if (pixels == null)
            throw new NullPointerException("pixels");
        if (width < 0 || height < 0)
            throw new IllegalArgumentException("width, height");
        if (off < 0 || off + width * height > pixels.length)
            throw new ArrayIndexOutOfBoundsException("off");
        BufferedImage block = new BufferedImage(Math.max(1, width), Math.max(1, height), BufferedImage.TYPE_INT_RGB);
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column)
                block.setRGB(column, row, pixels[off + row * width + column]);
        }
        paint(color, g -> g.drawImage(block, originX + x, originY + y, width, height, null));
    }

    // ---------------------------------------------------------------------------

    private Object guard() {
        return handset != null ? handset : target;
    }

    private void paint(int rgb, Consumer<Graphics2D> operation) {
        synchronized (guard()) {
            Graphics2D g = target.createGraphics();
            try {
                if (clip != null)
                    g.clip(clip);
                g.setColor(new Color(rgb & 0xffffff));
                operation.accept(g);
            } finally {
                g.dispose();
            }
        }
        if (handset != null)
            handset.drawn();
    }
}
