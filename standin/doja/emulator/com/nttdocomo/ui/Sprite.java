package com.nttdocomo.ui;

/**
 * A part of an image placed on the screen by a SpriteSet. setRotation's
 * two-by-two matrix is read in 4096ths, as drawImage's is.
 */
public class Sprite {
    private Image image;
    private int sourceX;
    private int sourceY;
    private int width;
    private int height;
    private int x;
    private int y;
    private boolean visible = true;
    private int flipMode = Graphics.FLIP_NONE;
    private int[] rotation;

    protected Sprite() {
    }

    public Sprite(Image image) {
        this(image, 0, 0, image.getWidth(), image.getHeight());
    }

    public Sprite(Image image, int x, int y, int width, int height) {
        setImage(image, x, y, width, height);
    }

    public void setImage(Image image) {
        if (image == null)
            throw new NullPointerException("image");
        setImage(image, 0, 0, image.getWidth(), image.getHeight());
    }

    public void setImage(Image image, int x, int y, int width, int height) {
        if (image == null)
            throw new NullPointerException("image");
        if (width < 0 || height < 0)
            throw new IllegalArgumentException("width, height");
        this.image = image;
        sourceX = x;
        sourceY = y;
        this.width = width;
        this.height = height;
    }

    public int getX() {
        return x;
    }

    public int getY() {
        return y;
    }

    public int getWidth() {
        return width;
    }

    public int getHeight() {
        return height;
    }

    public void setLocation(int x, int y) {
        this.x = x;
        this.y = y;
    }

    public boolean isVisible() {
        return visible;
    }

    public void setVisible(boolean b) {
        visible = b;
    }

    public void setFlipMode(int flipMode) {
        if (flipMode < Graphics.FLIP_NONE || flipMode > Graphics.FLIP_ROTATE_RIGHT_VERTICAL)
            throw new IllegalArgumentException("flipMode");
        this.flipMode = flipMode;
    }

    public void setRotation(int[] lt) {
        if (lt != null && lt.length < 4)
            throw new IllegalArgumentException("lt");
        rotation = lt == null ? null : lt.clone();
    }

    void drawOn(Graphics g) {
        if (!visible || image == null)
            return;
        if (rotation != null) {
            g.drawImage(image, new int[] {rotation[0], rotation[1], x, rotation[2], rotation[3], y},
                        sourceX, sourceY, width, height);
            return;
        }
        g.setFlipMode(flipMode);
        g.drawImage(image, x, y, sourceX, sourceY, width, height);
    }

    boolean overlaps(Sprite other) {
        return visible && other.visible && x < other.x + other.width && other.x < x + width
            && y < other.y + other.height && other.y < y + height;
    }
}
