package com.nttdocomo.ui;

/**
 * Sprites drawn together, in order. Collisions are of the sprites'
 * rectangles: bit j of a sprite's flag says it meets sprite j.
 */
public class SpriteSet {
    private static final int MAX_SPRITES = 32;

    private final Sprite[] sprites;
    private final int[] flags;

    public SpriteSet(Sprite[] sprites) {
        if (sprites == null)
            throw new NullPointerException("sprites");
        if (sprites.length > MAX_SPRITES)
            throw new IllegalArgumentException("スプライトは " + MAX_SPRITES + " 個までです");
        for (Sprite sprite : sprites) {
            if (sprite == null)
                throw new NullPointerException("sprites");
        }
        this.sprites = sprites.clone();
        flags = new int[sprites.length];
    }

    public int getCount() {
        return sprites.length;
    }

    public Sprite getSprite(int index) {
        return sprites[index];
    }

    public Sprite[] getSprites() {
        return sprites.clone();
    }

    public void setCollisionAll() {
        for (int i = 0; i < sprites.length; ++i)
            setCollisionOf(i);
    }

    public void setCollisionOf(int index) {
        int flag = 0;
        for (int j = 0; j < sprites.length; ++j) {
            if (j != index && sprites[index].overlaps(sprites[j]))
                flag |= 1 << j;
        }
        flags[index] = flag;
    }

    public int getCollisionFlag(int index) {
        return flags[index];
    }

    public boolean isCollision(int index1, int index2) {
        return (flags[index1] & (1 << index2)) != 0;
    }

    void drawOn(Graphics g, int offset, int count) {
        if (offset < 0 || count < 0 || offset + count > sprites.length)
            throw new ArrayIndexOutOfBoundsException("offset, count");
        for (int i = offset; i < offset + count; ++i)
            sprites[i].drawOn(g);
    }
}
