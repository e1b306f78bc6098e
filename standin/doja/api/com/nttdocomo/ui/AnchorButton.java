//#since DoJa-2.0
package com.nttdocomo.ui;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

public final class AnchorButton extends Component implements Interactable {
    public AnchorButton() {
    }

    public AnchorButton(Image image) {
    }

    public AnchorButton(Image image, String text) {
    }

    public AnchorButton(String text) {
    }

    //#if DoJa-3.0
    public AnchorButton(Image image, XString xText) {
    }

    public AnchorButton(XString xText) {
    }
    //#endif

    public void requestFocus() {
    }

    public void setEnabled(boolean b) {
    }

    public void setImage(Image image) {
    }

    public void setText(String text) {
    }

    //#if DoJa-3.0
    public void setText(XString xText) {
    }
    //#endif
}
