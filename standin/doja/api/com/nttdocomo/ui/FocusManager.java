package com.nttdocomo.ui;

public interface FocusManager {
}
