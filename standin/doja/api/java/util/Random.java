package java.util;

public class Random {
    public Random() {
    }

    public Random(long seed) {
    }

    public synchronized void setSeed(long seed) {
    }

    protected synchronized int next(int bits) {
        return 0;
    }

    public int nextInt() {
        return 0;
    }

    public long nextLong() {
        return 0;
    }

    //#if CLDC-1.1
    public int nextInt(int n) {
        return 0;
    }

    public float nextFloat() {
        return 0;
    }

    public double nextDouble() {
        return 0;
    }
    //#endif
}
