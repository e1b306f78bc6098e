//#since DoJa-3.5
package com.nttdocomo.ui;

public class ImageMap {
    protected ImageMap() {
    }

    public ImageMap(int cellWidth, int cellHeight) {
    }

    public ImageMap(int cellWidth, int cellHeight, int mapWidth, int mapHeight, byte[] data, Image[] images) {
    }

    //#if DoJa-4.0
    public ImageMap(int cellWidth, int cellHeight, int mapWidth, int mapHeight, int[] data, Image[] images) {
    }

    public ImageMap(int cellWidth, int cellHeight, int mapWidth, int mapHeight, int[] data, Image[] images, boolean concat) {
    }
    //#endif

    public void moveWindowLocation(int dx, int dy) {
    }

    public void setImageMap(int mapWidth, int mapHeight, byte[] data, Image[] images) {
    }

    public void setWindow(int x, int y, int width, int height) {
    }

    public void setWindowLocation(int x, int y) {
    }

    //#if DoJa-4.0
    public void setImageMap(int mapWidth, int mapHeight, int[] data, Image[] images) {
    }

    public void setImageMap(int mapWidth, int mapHeight, int[] data, Image[] images, boolean concat) {
    }
    //#endif
}
