package com.nttdocomo.ui;

//#if DoJa-3.0
import com.nttdocomo.lang.XString;
//#endif

public final class Ticker extends Component {
    public Ticker() {
    }

    public Ticker(String text) {
    }

    //#if DoJa-3.0
    public Ticker(XString xText) {
    }
    //#endif

    public void setText(String text) {
    }

    //#if DoJa-3.0
    public void setText(XString xText) {
    }
    //#endif
}
