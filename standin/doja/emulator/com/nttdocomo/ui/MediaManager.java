package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

import java.awt.image.BufferedImage;
import java.io.IOException;
import java.io.InputStream;
import javax.imageio.ImageIO;
import javax.microedition.io.Connector;

/** Media from the archive: "resource:///name.gif" and the like, read when used. */
public final class MediaManager {
    private MediaManager() {
    }

    public static MediaImage getImage(String location) {
        if (location == null)
            throw new NullPointerException("location");
        return new LoadedImage(location);
    }

    private static final class LoadedImage implements MediaImage {
        private final String location;
        private Image image;

        LoadedImage(String location) {
            this.location = location;
        }

        public void use() throws ConnectionException {
            if (image != null)
                return;
            BufferedImage picture;
            try (InputStream in = Connector.openInputStream(location)) {
                picture = ImageIO.read(in);
            } catch (IOException e) {
                throw new ConnectionException(ConnectionException.UNDEFINED, location + ": " + e.getMessage());
            }
            if (picture == null)
                throw new ConnectionException(ConnectionException.UNDEFINED, location + " は画像として読めません");
            image = new Image(picture) {
                public void dispose() {
                    forget();
                }
            };
        }

        public void unuse() {
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

        public Image getImage() {
            if (image == null)
                throw new IllegalStateException(location + " は use() されていません");
            return image;
        }
    }
}
