//#since DoJa-3.5
package com.nttdocomo.ui;

public class SpriteSet {
    public SpriteSet(Sprite[] sprites) {
    }

    public int getCollisionFlag(int index) {
        return 0;
    }

    public int getCount() {
        return 0;
    }

    public Sprite getSprite(int index) {
        return null;
    }

    public Sprite[] getSprites() {
        return null;
    }

    public boolean isCollision(int index1, int index2) {
        return false;
    }

    public void setCollisionAll() {
    }

    public void setCollisionOf(int index) {
    }
}
