package com.nttdocomo.ui;

public final class MediaManager {
    private MediaManager() {
    }

    public static MediaImage getImage(String location) {
        return null;
    }
}
