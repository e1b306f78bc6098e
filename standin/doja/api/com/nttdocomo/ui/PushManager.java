//#since DoJa-3.5
package com.nttdocomo.ui;

public class PushManager {
    public String getParameter() {
        return null;
    }

    public long getParameterPushedTime() {
        return 0;
    }

    public void setParameterPushListener(ParameterPushListener listener) {
    }

    private PushManager() {
    }
}
