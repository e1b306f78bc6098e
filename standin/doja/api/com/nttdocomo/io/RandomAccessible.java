//#since DoJa-4.1
package com.nttdocomo.io;

public interface RandomAccessible {
    long getPosition() throws java.io.IOException;

    long getSize() throws java.io.IOException;

    void setPosition(long position) throws java.io.IOException;

    void setPositionRelative(long position) throws java.io.IOException;
}
