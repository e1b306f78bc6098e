//#since DoJa-2.0
package com.nttdocomo.ui;

public class HTMLLayout implements LayoutManager {
    // The listings give no values for these: ours, distinct within each group.
    public static final String CENTER = "CENTER";
    public static final String LEFT = "LEFT";
    public static final String P = "P";
    public static final String RIGHT = "RIGHT";

    public HTMLLayout() {
    }

    public void begin(String tag) {
    }

    public void br() {
    }

    public void end() {
    }
}
