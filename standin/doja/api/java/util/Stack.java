package java.util;

public class Stack extends Vector {
    public Stack() {
    }

    public Object push(Object item) {
        return item;
    }

    public synchronized Object pop() {
        return null;
    }

    public synchronized Object peek() {
        return null;
    }

    public boolean empty() {
        return true;
    }

    public synchronized int search(Object o) {
        return -1;
    }
}
