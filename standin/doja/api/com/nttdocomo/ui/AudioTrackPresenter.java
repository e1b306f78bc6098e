//#since DoJa-5.0
package com.nttdocomo.ui;

public class AudioTrackPresenter extends AudioPresenter {
    protected AudioTrackPresenter() {
    }

    public Audio3D getAudio3D() {
        return null;
    }

    public int getCurrentTime() {
        return 0;
    }

    public int getTotalTime() {
        return 0;
    }

    public void pause() {
    }

    public void play() {
    }

    public void play(int time) {
    }

    public void restart() {
    }

    public void setAttribute(int attr, int value) {
    }

    public void setSound(MediaImage sound) {
    }

    public void setSound(MediaSound sound) {
    }

    public void setSyncEvent(int channel, int key) {
    }
}
