package com.nttdocomo.dojaemu;

import com.nttdocomo.io.ConnectionException;
import com.nttdocomo.io.HttpConnection;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.HttpURLConnection;
import java.net.MalformedURLException;
import java.net.SocketTimeoutException;
import java.net.URL;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * "http://..." over the desktop's network. The request is sent by connect()
 * (or by the first call that needs the answer) with what was written to the
 * output stream as its body; any status comes back as it is, for
 * getResponseCode() to tell. The descriptor must say UseNetwork = http.
 */
public final class HttpClientConnection implements HttpConnection {
    private static final int TIMEOUT_MILLIS = 60000;

    private final URL url;
    private final boolean timeouts;
    private final Map<String, String> properties = new LinkedHashMap<>();
    private String method = GET;
    private long ifModifiedSince;
    private ByteArrayOutputStream body;
    private HttpURLConnection http;
    private boolean closed;

    public HttpClientConnection(String name, boolean timeouts) {
        if (!Descriptor.current().usesNetwork())
            throw new SecurityException("JAMファイルに UseNetwork = http がないため、ネットワークは使えません: " + name);
        try {
            url = new URL(name);
        } catch (MalformedURLException e) {
            throw new IllegalArgumentException(name);
        }
        this.timeouts = timeouts;
    }

    private void beforeConnect() throws IOException {
        if (closed)
            throw new ConnectionException(ConnectionException.ILLEGAL_STATE, "接続は閉じられています");
        if (http != null)
            throw new ConnectionException(ConnectionException.ILLEGAL_STATE, "接続のあとでは変えられません");
    }

    public void setRequestMethod(String method) throws IOException {
        beforeConnect();
        if (!GET.equals(method) && !POST.equals(method) && !HEAD.equals(method))
            throw new IllegalArgumentException("method");
        this.method = method;
    }

    public void setRequestProperty(String key, String value) throws IOException {
        beforeConnect();
        if (key == null)
            throw new NullPointerException("key");
        properties.put(key, value);
    }

    public void setIfModifiedSince(long ifmodifiedsince) {
        ifModifiedSince = ifmodifiedsince;
    }

    public OutputStream openOutputStream() throws IOException {
        beforeConnect();
        if (!POST.equals(method))
            throw new ConnectionException(ConnectionException.ILLEGAL_STATE, "送信できるのは POST だけです");
        if (body == null)
            body = new ByteArrayOutputStream();
        return body;
    }

    public java.io.DataOutputStream openDataOutputStream() throws IOException {
        return new java.io.DataOutputStream(openOutputStream());
    }

    public void connect() throws IOException {
        if (http != null)
            return;
        beforeConnect();
        HttpURLConnection connection = (HttpURLConnection) url.openConnection();
        if (timeouts) {
            connection.setConnectTimeout(TIMEOUT_MILLIS);
            connection.setReadTimeout(TIMEOUT_MILLIS);
        }
        connection.setRequestMethod(method);
        if (ifModifiedSince != 0)
            connection.setIfModifiedSince(ifModifiedSince);
        for (Map.Entry<String, String> property : properties.entrySet())
            connection.setRequestProperty(property.getKey(), property.getValue());
        try {
            if (body != null) {
                connection.setDoOutput(true);
                connection.setFixedLengthStreamingMode(body.size());
                try (OutputStream out = connection.getOutputStream()) {
                    body.writeTo(out);
                }
            }
            connection.getResponseCode();
        } catch (SocketTimeoutException e) {
            throw new ConnectionException(ConnectionException.TIMEOUT, url + ": " + e.getMessage());
        } catch (IOException e) {
            throw new ConnectionException(ConnectionException.NO_RESOURCE, url + ": " + e);
        }
        http = connection;
    }

    private HttpURLConnection answered() throws IOException {
        connect();
        return http;
    }

    public InputStream openInputStream() throws IOException {
        HttpURLConnection connection = answered();
        InputStream in = connection.getResponseCode() >= 400 ? connection.getErrorStream() : connection.getInputStream();
        return in != null ? in : new java.io.ByteArrayInputStream(new byte[0]);
    }

    public java.io.DataInputStream openDataInputStream() throws IOException {
        return new java.io.DataInputStream(openInputStream());
    }

    public int getResponseCode() throws IOException {
        return answered().getResponseCode();
    }

    public String getResponseMessage() throws IOException {
        return answered().getResponseMessage();
    }

    public String getURL() {
        return url.toString();
    }

    public long getLength() {
        return http == null ? -1 : http.getContentLengthLong();
    }

    public String getType() {
        return http == null ? null : http.getContentType();
    }

    public String getEncoding() {
        return http == null ? null : http.getContentEncoding();
    }

    public String getHeaderField(String name) {
        return http == null ? null : http.getHeaderField(name);
    }

    public long getExpiration() {
        return http == null ? 0 : http.getExpiration();
    }

    public long getDate() {
        return http == null ? 0 : http.getDate();
    }

    public long getLastModified() {
        return http == null ? 0 : http.getLastModified();
    }

    public void close() {
        closed = true;
        if (http != null)
            http.disconnect();
    }
}
