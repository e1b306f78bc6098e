package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

import java.io.IOException;
import java.io.InputStream;
import javax.microedition.io.Connector;

/** Where a medium's bytes come from: a location that Connector opens, or bytes given. */
final class MediaSource {
    private final String location;
    private final byte[] bytes;

    private MediaSource(String location, byte[] bytes) {
        this.location = location;
        this.bytes = bytes;
    }

    static MediaSource of(String location) {
        if (location == null)
            throw new NullPointerException("location");
        return new MediaSource(location, null);
    }

    static MediaSource of(byte[] data) {
        if (data == null)
            throw new NullPointerException("data");
        return new MediaSource(null, data.clone());
    }

    static MediaSource of(InputStream in) {
        if (in == null)
            throw new NullPointerException("in");
        try {
            return new MediaSource(null, in.readAllBytes());
        } catch (IOException e) {
            throw new UIException(UIException.UNDEFINED, "データを読めません: " + e.getMessage());
        }
    }

    byte[] read() throws ConnectionException {
        if (bytes != null)
            return bytes;
        try (InputStream in = Connector.openInputStream(location)) {
            return in.readAllBytes();
        } catch (ConnectionException e) {
            throw e;
        } catch (IOException e) {
            throw new ConnectionException(ConnectionException.UNDEFINED, location + ": " + e.getMessage());
        }
    }

    String name() {
        return location != null ? location : "(" + bytes.length + " バイトのデータ)";
    }
}
