//#since DoJa-2.0
package com.nttdocomo.ui;

public class HTMLLayout implements LayoutManager {
    // The listings give no values for these: ours, distinct within each group.
    public static final String CENTER = "CENTER";
    public static final String LEFT = "LEFT";
    public static final String P = "P";
    public static final String RIGHT = "RIGHT";

    // The DoJa-5.1 reference dates this constructor to DoJa-3.0, yet without
    // it the class of DoJa-2.0 could not be used at all.
    public HTMLLayout() {
    }

    public void begin(String tag) {
    }

    public void br() {
    }

    public void end() {
    }
}
