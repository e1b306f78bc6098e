package com.nttdocomo.ui;

public interface MediaData extends MediaResource {
}
