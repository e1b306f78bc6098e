//#since DoJa-4.0
package com.nttdocomo.ui;

import com.nttdocomo.util.EventListener;

public interface Audio3DListener extends EventListener {
    void audioAction(Audio3D source, int type, int param);
}
