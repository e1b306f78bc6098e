package com.nttdocomo.ui;

/**
 * A map of cells, each showing one of the images (its index in the data,
 * counted from 0), seen through a window: drawImageMap draws the window's
 * part of the map.
 */
public class ImageMap {
    private int cellWidth;
    private int cellHeight;
    private int mapWidth;
    private int mapHeight;
    private int[] cells = new int[0];
    private Image[] images = new Image[0];
    private int windowX;
    private int windowY;
    private int windowWidth;
    private int windowHeight;

    protected ImageMap() {
    }

    public ImageMap(int cellWidth, int cellHeight) {
        if (cellWidth <= 0 || cellHeight <= 0)
            throw new IllegalArgumentException("cellWidth, cellHeight");
        this.cellWidth = cellWidth;
        this.cellHeight = cellHeight;
    }

    public ImageMap(int cellWidth, int cellHeight, int mapWidth, int mapHeight, byte[] data, Image[] images) {
        this(cellWidth, cellHeight);
        setImageMap(mapWidth, mapHeight, data, images);
    }

    public ImageMap(int cellWidth, int cellHeight, int mapWidth, int mapHeight, int[] data, Image[] images) {
        this(cellWidth, cellHeight);
        setImageMap(mapWidth, mapHeight, data, images);
    }

    public ImageMap(int cellWidth, int cellHeight, int mapWidth, int mapHeight, int[] data, Image[] images, boolean concat) {
        this(cellWidth, cellHeight, mapWidth, mapHeight, data, images);
    }

    public void setImageMap(int mapWidth, int mapHeight, byte[] data, Image[] images) {
        if (data == null)
            throw new NullPointerException("data");
        int[] cells = new int[data.length];
        for (int i = 0; i < data.length; ++i)
            cells[i] = data[i] & 0xff;
        setImageMap(mapWidth, mapHeight, cells, images);
    }

    public void setImageMap(int mapWidth, int mapHeight, int[] data, Image[] images) {
        if (data == null || images == null)
            throw new NullPointerException("data, images");
        if (mapWidth < 0 || mapHeight < 0 || data.length < mapWidth * mapHeight)
            throw new IllegalArgumentException("mapWidth, mapHeight");
        this.mapWidth = mapWidth;
        this.mapHeight = mapHeight;
        cells = data.clone();
        this.images = images.clone();
        if (windowWidth == 0 && windowHeight == 0) {
            windowWidth = mapWidth * cellWidth;
            windowHeight = mapHeight * cellHeight;
        }
    }

    public void setImageMap(int mapWidth, int mapHeight, int[] data, Image[] images, boolean concat) {
        setImageMap(mapWidth, mapHeight, data, images);
    }

    public void setWindow(int x, int y, int width, int height) {
        if (width < 0 || height < 0)
            throw new IllegalArgumentException("width, height");
        windowX = x;
        windowY = y;
        windowWidth = width;
        windowHeight = height;
    }

    public void setWindowLocation(int x, int y) {
        windowX = x;
        windowY = y;
    }

    public void moveWindowLocation(int dx, int dy) {
        windowX += dx;
        windowY += dy;
    }

    void drawOn(Graphics g, int x, int y) {
        Graphics clipped = g.copy();
        clipped.clipRect(x, y, windowWidth, windowHeight);
        int firstColumn = Math.max(0, Math.floorDiv(windowX, cellWidth));
        int firstRow = Math.max(0, Math.floorDiv(windowY, cellHeight));
        int lastColumn = Math.min(mapWidth - 1, (windowX + windowWidth - 1) / cellWidth);
        int lastRow = Math.min(mapHeight - 1, (windowY + windowHeight - 1) / cellHeight);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                int index = cells[row * mapWidth + column];
                if (index >= 0 && index < images.length && images[index] != null)
                    clipped.drawImage(images[index], x + column * cellWidth - windowX, y + row * cellHeight - windowY);
            }
        }
    }
}
