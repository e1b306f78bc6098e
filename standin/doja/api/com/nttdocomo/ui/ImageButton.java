//#since DoJa-2.0
package com.nttdocomo.ui;

public final class ImageButton extends Component implements Interactable {
    public ImageButton() {
    }

    public ImageButton(Image image) {
    }

    public void requestFocus() {
    }

    public void setEnabled(boolean b) {
    }

    public void setImage(Image image) {
    }
}
