//#since CLDC-1.1
package java.lang.ref;

public class WeakReference extends Reference {
    public WeakReference(Object ref) {
    }
}
