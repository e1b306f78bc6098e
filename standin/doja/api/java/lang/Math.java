package java.lang;

public final class Math {
    private Math() {
    }

    public static int abs(int a) {
        return a;
    }

    public static long abs(long a) {
        return a;
    }

    public static int max(int a, int b) {
        return a;
    }

    public static long max(long a, long b) {
        return a;
    }

    public static int min(int a, int b) {
        return a;
    }

    public static long min(long a, long b) {
        return a;
    }
}
