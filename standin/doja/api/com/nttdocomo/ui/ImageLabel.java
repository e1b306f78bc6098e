package com.nttdocomo.ui;

public final class ImageLabel extends Component {
    public ImageLabel() {
    }

    public ImageLabel(Image image) {
    }

    public void setImage(Image image) {
    }
}
