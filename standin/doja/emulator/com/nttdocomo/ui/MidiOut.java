package com.nttdocomo.ui;

import java.util.logging.Level;
import java.util.logging.Logger;
import javax.sound.midi.InvalidMidiDataException;
import javax.sound.midi.MidiSystem;
import javax.sound.midi.MidiUnavailableException;
import javax.sound.midi.Sequence;
import javax.sound.midi.Sequencer;

/**
 * The desktop's MIDI synthesiser, when it can play; sounds are silent
 * otherwise. Whether it can is found out once.
 */
final class MidiOut {
    // Java's sound system reads its settings through java.util.prefs, which
    // logs to standard error when it first makes the user's folder for them.
    private static final Logger PREFS_LOG = Logger.getLogger("java.util.prefs");
    private static Boolean available;

    private MidiOut() {
    }

    /** An open sequencer playing through the synthesiser, or null when none can play. */
    static synchronized Sequencer open() {
        if (Boolean.FALSE.equals(available))
            return null;
        PREFS_LOG.setLevel(Level.OFF);
        try {
            Sequencer sequencer = MidiSystem.getSequencer(true);
            sequencer.open();
            available = true;
            return sequencer;
        } catch (MidiUnavailableException | RuntimeException e) {
            available = false;
            return null;
        }
    }

    /** Plays the sequence from the given time on; false when the sequencer refuses it. */
    static boolean play(Sequencer sequencer, Sequence sequence, int fromMillis) {
        try {
            sequencer.setSequence(sequence);
            sequencer.setMicrosecondPosition(fromMillis * 1000L);
            sequencer.start();
            return true;
        } catch (InvalidMidiDataException | RuntimeException e) {
            return false;
        }
    }
}
