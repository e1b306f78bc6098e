package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

import java.awt.image.BufferedImage;
import java.io.ByteArrayInputStream;
import java.io.IOException;
import javax.imageio.ImageIO;

/** A picture read from its source when used (GIF, JPEG, PNG), or made empty. */
final class LoadedImage implements MediaImage {
    private final MediaSource source;
    private Image image;

    LoadedImage(MediaSource source) {
        this.source = source;
    }

    LoadedImage(Image made) {
        this.source = null;
        this.image = made;
    }

    public void use() throws ConnectionException {
        if (image != null)
            return;
        BufferedImage picture;
        try {
            picture = ImageIO.read(new ByteArrayInputStream(source.read()));
        } catch (IOException e) {
            throw new ConnectionException(ConnectionException.UNDEFINED, source.name() + ": " + e.getMessage());
        }
        if (picture == null)
            throw new UIException(UIException.UNSUPPORTED_FORMAT, source.name() + " は画像として読めません");
        BufferedImage argb = new BufferedImage(picture.getWidth(), picture.getHeight(), BufferedImage.TYPE_INT_ARGB);
        argb.createGraphics().drawImage(picture, 0, 0, null);
        image = new Image(argb) {
            public void dispose() {
                forget();
            }
        };
    }

    public void unuse() {
        if (source != null)
            image = null;
    }

    public void dispose() {
        if (image != null)
            image.dispose();
        image = null;
    }

    public int getWidth() {
        return getImage().getWidth();
    }

    public int getHeight() {
        return getImage().getHeight();
    }

    /** The picture once used, else null. */
    Image usedImage() {
        return image;
    }

    public Image getImage() {
        if (image == null)
            throw new UIException(UIException.ILLEGAL_STATE, source.name() + " は use() されていません");
        return image;
    }
}
