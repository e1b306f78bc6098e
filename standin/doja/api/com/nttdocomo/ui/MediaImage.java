package com.nttdocomo.ui;

public interface MediaImage extends MediaResource {
    //#if DoJa-4.0
    // The listings give no values for these: ours, distinct within each group.
    String MP4_AUDIOTRACK = "mp4_audiotrack";
    String MP4_TEXTTRACK = "mp4_texttrack";
    String MP4_VIDEOTRACK = "mp4_videotrack";
    //#endif

    Image getImage();

    int getWidth();

    int getHeight();
}
