//#since DoJa-5.0
package com.nttdocomo.ui;

public class ExifData {
    // The listings give no values for these: ours, distinct within each group.
    public static final int GPS_INFO_TAG = 1;
    public static final int SUPPORT_GET = 1;
    public static final int SUPPORT_SET = 2;

    public ExifData() {
    }

    public java.util.Enumeration enumerateTags() {
        return null;
    }

    public String getAsciiTag(int tagGroup, int tagID) {
        return null;
    }

    public long[] getIntegerTag(int tagGroup, int tagID) {
        return null;
    }

    public long[][] getRationalTag(int tagGroup, int tagID) {
        return null;
    }

    public static int getSupportStatus(int tagGroup, int tagID) {
        return 0;
    }

    public byte[] getUndefinedTag(int tagGroup, int tagID) {
        return null;
    }

    public void setAsciiTag(int tagGroup, int tagID, String value) {
    }

    public void setIntegerTag(int tagGroup, int tagID, long[] values) {
    }

    public void setRationalTag(int tagGroup, int tagID, long[][] rational) {
    }

    public void setUndefinedTag(int tagGroup, int tagID, byte[] value) {
    }

    public static class TagInfo {
        // The listings give no values for these: ours, distinct within each group.
        public static final int ASCII = 2;
        public static final int BYTE = 1;
        public static final int LONG = 4;
        public static final int RATIONAL = 5;
        public static final int SHORT = 3;
        public static final int SLONG = 7;
        public static final int SRATIONAL = 8;
        public static final int UNDEFINED = 6;

        public int getTagGroup() {
            return 0;
        }

        public int getTagID() {
            return 0;
        }

        public int getType() {
            return 0;
        }

        private TagInfo() {
        }
    }
}
