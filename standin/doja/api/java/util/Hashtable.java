package java.util;

public class Hashtable {
    public Hashtable(int initialCapacity) {
    }

    public Hashtable() {
    }

    public int size() {
        return 0;
    }

    public boolean isEmpty() {
        return true;
    }

    public synchronized Enumeration keys() {
        return null;
    }

    public synchronized Enumeration elements() {
        return null;
    }

    public synchronized boolean contains(Object value) {
        return false;
    }

    public synchronized boolean containsKey(Object key) {
        return false;
    }

    public synchronized Object get(Object key) {
        return null;
    }

    protected void rehash() {
    }

    public synchronized Object put(Object key, Object value) {
        return null;
    }

    public synchronized Object remove(Object key) {
        return null;
    }

    public synchronized void clear() {
    }

    public synchronized String toString() {
        return null;
    }
}
