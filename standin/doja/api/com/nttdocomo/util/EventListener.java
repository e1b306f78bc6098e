package com.nttdocomo.util;

public interface EventListener {
}
