package com.nttdocomo.ui;

import com.nttdocomo.io.ConnectionException;

import java.io.ByteArrayInputStream;
import java.io.IOException;
import javax.sound.midi.InvalidMidiDataException;
import javax.sound.midi.MidiSystem;
import javax.sound.midi.Sequence;

/**
 * A sound read from its source when used. A standard MIDI file plays through
 * the desktop's synthesiser and lasts as long as its tracks; any other data
 * is kept but plays silently and at once comes to its end.
 */
final class LoadedSound implements MediaSound, MediaData {
    private final MediaSource source;
    private byte[] data;
    private Sequence sequence;

    LoadedSound(MediaSource source) {
        this.source = source;
    }

    public void use() throws ConnectionException {
        if (data != null)
            return;
        byte[] bytes = source.read();
        sequence = midi(bytes);
        data = bytes;
    }

    public void use(MediaResource overwritten, boolean useOnce) throws ConnectionException {
        if (overwritten != null && overwritten != this)
            overwritten.dispose();
        use();
    }

    private static Sequence midi(byte[] bytes) {
        if (bytes.length < 4 || bytes[0] != 'M' || bytes[1] != 'T' || bytes[2] != 'h' || bytes[3] != 'd')
            return null;
        try {
            return MidiSystem.getSequence(new ByteArrayInputStream(bytes));
        } catch (InvalidMidiDataException | IOException e) {
            throw new UIException(UIException.UNSUPPORTED_FORMAT, "MIDI ファイルとして読めません: " + e.getMessage());
        }
    }

    public void unuse() {
        data = null;
        sequence = null;
    }

    public void dispose() {
        unuse();
    }

    boolean isUsed() {
        return data != null;
    }

    String name() {
        return source.name();
    }

    /** The standard MIDI file's sequence; null for any other data. */
    Sequence sequence() {
        return sequence;
    }

    int durationMillis() {
        return sequence == null ? 0 : (int) (sequence.getMicrosecondLength() / 1000);
    }
}
