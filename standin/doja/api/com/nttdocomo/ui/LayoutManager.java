package com.nttdocomo.ui;

public interface LayoutManager {
}
