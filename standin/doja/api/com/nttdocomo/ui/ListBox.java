package com.nttdocomo.ui;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

public final class ListBox extends Component implements Interactable {
    public static final int SINGLE_SELECT = 0;
    public static final int RADIO_BUTTON = 1;
    public static final int CHECK_BOX = 2;
    public static final int NUMBERED_LIST = 3;
    public static final int MULTIPLE_SELECT = 4;
    public static final int CHOICE = 5;

    public ListBox(int type) {
    }

    public ListBox(int type, int rows) {
    }

    public void setEnabled(boolean b) {
    }

    public void requestFocus() {
    }

    public void setItems(String[] items) {
    }

    public void append(String item) {
    }

    public void removeAll() {
    }

    public int getItemCount() {
        return 0;
    }

    public String getItem(int index) {
        return null;
    }

    public void select(int index) {
    }

    public void deselect(int index) {
    }

    public boolean isIndexSelected(int index) {
        return false;
    }

    public int getSelectedIndex() {
        return 0;
    }

    //#if DoJa-3.0
    public void append(XString xItem) {
    }

    public XString getXItem(int index) {
        return null;
    }

    public void setItems(XString[] xItems) {
    }
    //#endif
}
