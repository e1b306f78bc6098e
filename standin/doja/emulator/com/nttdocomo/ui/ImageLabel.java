package com.nttdocomo.ui;

import java.awt.Dimension;
import java.awt.Graphics2D;

/** A picture on a panel. */
public final class ImageLabel extends Component {
    private Image image;

    public ImageLabel() {
    }

    public ImageLabel(Image image) {
        this.image = image;
    }

    public void setImage(Image image) {
        this.image = image;
        changed();
    }

    Dimension preferredSize(int available) {
        return image == null ? new Dimension(0, 0) : new Dimension(image.getWidth(), image.getHeight());
    }

    void paint(Graphics2D g, boolean focused) {
        Look.fill(g, background(), 0, 0, getWidth(), getHeight());
        if (image != null)
            image.drawOn(g, 0, 0);
    }
}
