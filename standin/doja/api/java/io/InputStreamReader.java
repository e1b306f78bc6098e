package java.io;

public class InputStreamReader extends Reader {
    public InputStreamReader(InputStream is) {
    }

    public InputStreamReader(InputStream is, String enc) throws UnsupportedEncodingException {
    }

    public int read() throws IOException {
        return -1;
    }

    public int read(char[] cbuf, int off, int len) throws IOException {
        return -1;
    }

    public long skip(long n) throws IOException {
        return 0;
    }

    public boolean ready() throws IOException {
        return false;
    }

    public boolean markSupported() {
        return false;
    }

    public void mark(int readAheadLimit) throws IOException {
    }

    public void reset() throws IOException {
    }

    public void close() throws IOException {
    }
}
