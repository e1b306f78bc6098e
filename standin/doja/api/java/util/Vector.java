package java.util;

public class Vector {
    protected Object[] elementData;
    protected int elementCount;
    protected int capacityIncrement;

    public Vector(int initialCapacity, int capacityIncrement) {
    }

    public Vector(int initialCapacity) {
    }

    public Vector() {
    }

    public synchronized void copyInto(Object[] anArray) {
    }

    public synchronized void trimToSize() {
    }

    public synchronized void ensureCapacity(int minCapacity) {
    }

    public synchronized void setSize(int newSize) {
    }

    public int capacity() {
        return 0;
    }

    public int size() {
        return 0;
    }

    public boolean isEmpty() {
        return true;
    }

    public synchronized Enumeration elements() {
        return null;
    }

    public boolean contains(Object elem) {
        return false;
    }

    public int indexOf(Object elem) {
        return -1;
    }

    public synchronized int indexOf(Object elem, int index) {
        return -1;
    }

    public int lastIndexOf(Object elem) {
        return -1;
    }

    public synchronized int lastIndexOf(Object elem, int index) {
        return -1;
    }

    public synchronized Object elementAt(int index) {
        return null;
    }

    public synchronized Object firstElement() {
        return null;
    }

    public synchronized Object lastElement() {
        return null;
    }

    public synchronized void setElementAt(Object obj, int index) {
    }

    public synchronized void removeElementAt(int index) {
    }

    public synchronized void insertElementAt(Object obj, int index) {
    }

    public synchronized void addElement(Object obj) {
    }

    public synchronized boolean removeElement(Object obj) {
        return false;
    }

    public synchronized void removeAllElements() {
    }

    public synchronized String toString() {
        return null;
    }
}
