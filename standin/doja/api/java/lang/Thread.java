package java.lang;

public class Thread implements Runnable {
    public static final int MIN_PRIORITY = 1;
    public static final int NORM_PRIORITY = 5;
    public static final int MAX_PRIORITY = 10;

    public Thread() {
    }

    public Thread(Runnable target) {
    }

    public static native Thread currentThread();

    public static native void yield();

    public static native void sleep(long millis) throws InterruptedException;

    public synchronized native void start();

    public void run() {
    }

    public final native boolean isAlive();

    public final void setPriority(int newPriority) {
    }

    public final int getPriority() {
        return NORM_PRIORITY;
    }

    public static native int activeCount();

    public final synchronized void join() throws InterruptedException {
    }

    public String toString() {
        return null;
    }

    //#if CLDC-1.1
    public Thread(String name) {
    }

    public Thread(Runnable target, String name) {
    }

    public void interrupt() {
    }

    public final String getName() {
        return null;
    }

    public final void checkAccess() {
    }
    //#endif
}
