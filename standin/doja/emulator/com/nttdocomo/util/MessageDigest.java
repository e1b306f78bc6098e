package com.nttdocomo.util;

import java.security.NoSuchAlgorithmException;

/** A message digest of the desktop's Java ("MD5", "SHA-1", ...). */
public class MessageDigest {
    private java.security.MessageDigest digest;

    private MessageDigest() {
    }

    public static MessageDigest getInstance(String algorithm) {
        if (algorithm == null)
            throw new NullPointerException("algorithm");
        MessageDigest made = new MessageDigest();
        try {
            made.digest = java.security.MessageDigest.getInstance(algorithm);
        } catch (NoSuchAlgorithmException e) {
            throw new IllegalArgumentException("ダイジェスト " + algorithm + " はありません");
        }
        return made;
    }

    public static boolean isEqual(byte[] src, byte[] dst) {
        return java.security.MessageDigest.isEqual(src, dst);
    }

    public String getAlgorithm() {
        return digest.getAlgorithm();
    }

    public int getDigestLength() {
        return digest.getDigestLength();
    }

    public void update(byte input) {
        digest.update(input);
    }

    public void update(byte[] buf) {
        digest.update(buf);
    }

    public void update(byte[] buf, int off, int len) {
        digest.update(buf, off, len);
    }

    public byte[] digest() {
        return digest.digest();
    }

    public byte[] digest(byte[] buf) {
        return digest.digest(buf);
    }

    public int digest(byte[] buf, int off, int len) {
        try {
            return digest.digest(buf, off, len);
        } catch (java.security.DigestException e) {
            throw new IllegalArgumentException(e.getMessage());
        }
    }

    public void reset() {
        digest.reset();
    }

    public String toString() {
        return digest.toString();
    }
}
