package com.nttdocomo.ui;

import com.nttdocomo.dojaemu.EventThread;

import java.awt.Dimension;
import java.awt.Graphics2D;

/**
 * A picture on a panel that plays: the emulator's pictures are still, so
 * play() shows it and tells the listener VISUAL_PLAYING, then VISUAL_COMPLETE.
 * IMAGE_XPOS and IMAGE_YPOS place the picture within the part.
 */
public class VisualPresenter extends Component implements MediaPresenter {
    public static final int IMAGE_XPOS = 1;
    public static final int IMAGE_YPOS = 2;
    public static final int VISUAL_COMPLETE = 3;
    public static final int VISUAL_PLAYING = 1;
    public static final int VISUAL_STOPPED = 2;
    protected static final int MAX_VENDOR_ATTR = 127;
    protected static final int MAX_VENDOR_VISUAL_EVENT = 127;
    protected static final int MIN_VENDOR_ATTR = 64;
    protected static final int MIN_VENDOR_VISUAL_EVENT = 64;
    public static final int ATTR_AUDIO_OFF = 0;
    public static final int ATTR_AUDIO_ON = 1;
    public static final int ATTR_FORCE_INLINE_PLAYER = 2;
    public static final int ATTR_FORCE_NATIVE_PLAYER = 3;
    public static final int ATTR_PREFER_INLINE_PLAYER = 0;
    public static final int ATTR_PREFER_NATIVE_PLAYER = 1;
    public static final int AUDIO_MODE = 3;
    public static final int PLAYER_MODE = 4;
    public static final int ATTR_FORCE_FULLSCREEN_PLAYER = 5;
    public static final int ATTR_PREFER_FULLSCREEN_PLAYER = 4;

    private MediaResource resource;
    private MediaListener listener;
    private boolean shown;
    private int imageX;
    private int imageY;

    public VisualPresenter() {
    }

    public void setImage(MediaImage mediaImage) {
        resource = mediaImage;
        shown = false;
        changed();
    }

    public void setData(MediaData data) {
        resource = data;
        shown = false;
        changed();
    }

    public MediaResource getMediaResource() {
        return resource;
    }

    public void setMediaListener(MediaListener listener) {
        this.listener = listener;
    }

    public void setAttribute(int attr, int val) {
        if (attr == IMAGE_XPOS)
            imageX = val;
        else if (attr == IMAGE_YPOS)
            imageY = val;
        changed();
    }

    public void play() {
        if (resource == null)
            throw new UIException(UIException.ILLEGAL_STATE, "画像が設定されていません");
        shown = true;
        changed();
        tell(VISUAL_PLAYING);
        tell(VISUAL_COMPLETE);
    }

    public void stop() {
        if (!shown)
            return;
        shown = false;
        changed();
        tell(VISUAL_STOPPED);
    }

    private void tell(final int type) {
        final MediaListener told = listener;
        if (told != null)
            EventThread.post(() -> told.mediaAction(this, type, 0));
    }

    private Image image() {
        return resource instanceof LoadedImage ? ((LoadedImage) resource).usedImage() : null;
    }

    Dimension preferredSize(int available) {
        Image image = image();
        return image == null ? new Dimension(0, 0) : new Dimension(image.getWidth() + imageX, image.getHeight() + imageY);
    }

    void paint(Graphics2D g, boolean focused) {
        Look.fill(g, background(), 0, 0, getWidth(), getHeight());
        Image image = shown ? image() : null;
        if (image != null)
            image.drawOn(g, imageX, imageY);
    }
}
