//#since DoJa-5.0
package com.nttdocomo.lang;

public final class MemoryManager {
    // The listings give no values for these: ours, distinct within each group.
    public static final int JAVA_HEAP = 0;

    public long[] freeMemory() {
        return null;
    }

    public static MemoryManager getMemoryManager() {
        return null;
    }

    public int getNumPartitions() {
        return 0;
    }

    public long[] maxContiguousMemory() {
        return null;
    }

    public long[] totalMemory() {
        return null;
    }

    private MemoryManager() {
    }
}
