//#since DoJa-3.5
package com.nttdocomo.ui;

public class Palette {
    public Palette(int n) {
    }

    public Palette(int[] colors) {
    }

    public int getEntry(int index) {
        return 0;
    }

    public int getEntryCount() {
        return 0;
    }

    public void setEntry(int index, int color) {
    }
}
