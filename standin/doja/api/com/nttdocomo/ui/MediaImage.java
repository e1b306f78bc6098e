package com.nttdocomo.ui;

public interface MediaImage extends MediaResource {
    int getWidth();

    int getHeight();

    Image getImage();
}
