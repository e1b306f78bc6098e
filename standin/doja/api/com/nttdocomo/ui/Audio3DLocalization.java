//#since DoJa-4.0
package com.nttdocomo.ui;

public interface Audio3DLocalization {
}
