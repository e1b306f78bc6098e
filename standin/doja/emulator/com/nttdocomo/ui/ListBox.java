package com.nttdocomo.ui;

import com.nttdocomo.lang.XString;
import com.nttdocomo.lang.XStrings;

import java.awt.Color;
import java.awt.Dimension;
import java.awt.Graphics2D;
import java.util.ArrayList;
import java.util.List;

/**
 * A list on a panel. UP and DOWN move within it and leave it at its ends;
 * SELECT picks the item under the cursor (or turns a check box or multiple
 * selection item over); a numbered list also picks with the digit keys; a
 * choice shows one item and steps through them with SELECT, LEFT and RIGHT.
 * Every pick tells the panel's listener SELECTION_CHANGED with the index.
 */
public final class ListBox extends Component implements Interactable {
    public static final int SINGLE_SELECT = 0;
    public static final int RADIO_BUTTON = 1;
    public static final int CHECK_BOX = 2;
    public static final int NUMBERED_LIST = 3;
    public static final int MULTIPLE_SELECT = 4;
    public static final int CHOICE = 5;

    private static final int SELECTED = 0xc0d8ff;

    private final int type;
    private final int rows;
    private final List<String> items = new ArrayList<>();
    private final List<Boolean> selected = new ArrayList<>();
    private int cursor;
    private int top;
    private boolean enabled = true;

    public ListBox(int type) {
        this(type, 0);
    }

    public ListBox(int type, int rows) {
        if (type < SINGLE_SELECT || type > CHOICE)
            throw new IllegalArgumentException("type");
        if (rows < 0)
            throw new IllegalArgumentException("rows");
        this.type = type;
        this.rows = rows;
    }

    public void setEnabled(boolean b) {
        enabled = b;
        changed();
    }

    public void requestFocus() {
        takeFocus();
    }

    public void setItems(String[] items) {
        if (items == null)
            throw new NullPointerException("items");
        this.items.clear();
        selected.clear();
        cursor = 0;
        top = 0;
        for (String item : items)
            add(item);
        changed();
    }

    public void setItems(XString[] xItems) {
        if (xItems == null)
            throw new NullPointerException("xItems");
        String[] texts = new String[xItems.length];
        for (int i = 0; i < xItems.length; ++i)
            texts[i] = XStrings.text(xItems[i]);
        setItems(texts);
    }

    public void append(String item) {
        add(item);
        changed();
    }

    public void append(XString xItem) {
        append(XStrings.text(xItem));
    }

    private void add(String item) {
        items.add(item == null ? "" : item);
        selected.add(type == CHOICE && items.size() == 1);
    }

    public void removeAll() {
        items.clear();
        selected.clear();
        cursor = 0;
        top = 0;
        changed();
    }

    public int getItemCount() {
        return items.size();
    }

    public String getItem(int index) {
        check(index);
        return items.get(index);
    }

    public XString getXItem(int index) {
        return XStrings.of(getItem(index));
    }

    public void select(int index) {
        check(index);
        if (!isMultiple()) {
            for (int i = 0; i < selected.size(); ++i)
                selected.set(i, false);
        }
        selected.set(index, true);
        changed();
    }

    public void deselect(int index) {
        check(index);
        selected.set(index, false);
        changed();
    }

    public boolean isIndexSelected(int index) {
        check(index);
        return selected.get(index);
    }

    public int getSelectedIndex() {
        return selected.indexOf(Boolean.TRUE);
    }

    private void check(int index) {
        if (index < 0 || index >= items.size())
            throw new ArrayIndexOutOfBoundsException(index);
    }

    private boolean isMultiple() {
        return type == CHECK_BOX || type == MULTIPLE_SELECT;
    }

    private int rowHeight() {
        return font().getHeight() + 2;
    }

    private int shownRows() {
        if (type == CHOICE)
            return 1;
        return Math.max(1, rows > 0 ? rows : items.size());
    }

    private String label(int index) {
        return type == NUMBERED_LIST ? (index + 1) + ". " + items.get(index) : items.get(index);
    }

    private int markWidth() {
        return type == RADIO_BUTTON || type == CHECK_BOX ? rowHeight() : 0;
    }

    Dimension preferredSize(int available) {
        int widest = 0;
        for (int i = 0; i < items.size(); ++i)
            widest = Math.max(widest, font().stringWidth(label(i)));
        int extra = type == CHOICE ? rowHeight() : markWidth();
        return new Dimension(Math.min(available, widest + extra + 2 * Look.PADDING), shownRows() * rowHeight() + 2);
    }

    void paint(Graphics2D g, boolean focused) {
        Look.fill(g, background() == Look.TRANSPARENT ? Look.FIELD : background(), 0, 0, getWidth(), getHeight());
        Look.frame(g, 0, 0, getWidth(), getHeight());
        if (type == CHOICE) {
            paintChoice(g, focused);
            return;
        }
        for (int row = 0; row < shownRows() && top + row < items.size(); ++row)
            paintItem(g, top + row, 1 + row * rowHeight(), focused && top + row == cursor);
    }

    private void paintChoice(Graphics2D g, boolean focused) {
        int height = rowHeight();
        Look.fill(g, focused ? Look.FOCUS : Look.FIELD, 1, 1, getWidth() - 2, height);
        int index = getSelectedIndex();
        if (index >= 0)
            Look.text(g, font(), itemColour(), items.get(index), Look.PADDING, 2);
        int x = getWidth() - height / 2 - Look.PADDING;
        int y = 1 + height / 2;
        g.setColor(new Color(itemColour()));
        g.fillPolygon(new int[] {x - 4, x + 4, x}, new int[] {y - 2, y - 2, y + 3}, 3);
    }

    private void paintItem(Graphics2D g, int index, int y, boolean underCursor) {
        boolean on = selected.get(index);
        int fill = underCursor ? Look.FOCUS : on && markWidth() == 0 ? SELECTED : Look.TRANSPARENT;
        Look.fill(g, fill, 1, y, getWidth() - 2, rowHeight());
        int box = rowHeight() - 6;
        g.setColor(new Color(itemColour()));
        if (type == RADIO_BUTTON) {
            g.drawOval(Look.PADDING, y + 3, box, box);
            if (on)
                g.fillOval(Look.PADDING + 3, y + 6, box - 5, box - 5);
        } else if (type == CHECK_BOX) {
            g.drawRect(Look.PADDING, y + 3, box, box);
            if (on)
                g.fillRect(Look.PADDING + 3, y + 6, box - 5, box - 5);
        }
        Look.text(g, font(), itemColour(), label(index), Look.PADDING + markWidth(), y + 1);
    }

    private int itemColour() {
        return enabled ? foreground() : Look.DISABLED_TEXT;
    }

    boolean focusable() {
        return enabled && visible() && !items.isEmpty();
    }

    boolean key(int code) {
        if (items.isEmpty())
            return false;
        if (type == CHOICE)
            return choiceKey(code);
        if (code == Display.KEY_UP || code == Display.KEY_DOWN) {
            int next = cursor + (code == Display.KEY_DOWN ? 1 : -1);
            if (next < 0 || next >= items.size())
                return false;
            cursor = next;
            top = Math.max(Math.min(top, cursor), cursor - shownRows() + 1);
            changed();
            return true;
        }
        if (code == Display.KEY_SELECT) {
            pick(cursor, isMultiple() ? !selected.get(cursor) : true);
            return true;
        }
        int digit = code - Display.KEY_1;
        if (type == NUMBERED_LIST && code >= Display.KEY_1 && code <= Display.KEY_9 && digit < items.size()) {
            cursor = digit;
            pick(digit, true);
            return true;
        }
        return false;
    }

    private boolean choiceKey(int code) {
        int step = code == Display.KEY_LEFT ? -1 : code == Display.KEY_RIGHT || code == Display.KEY_SELECT ? 1 : 0;
        if (step == 0)
            return false;
        int next = (Math.max(0, getSelectedIndex()) + step + items.size()) % items.size();
        pick(next, true);
        return true;
    }

    private void pick(int index, boolean on) {
        if (on)
            select(index);
        else
            deselect(index);
        notifyListener(ComponentListener.SELECTION_CHANGED, index);
    }

    /** Where the item under the cursor lies, for the panel to scroll to. */
    int cursorTop() {
        return type == CHOICE ? 0 : 1 + (cursor - top) * rowHeight();
    }
}
