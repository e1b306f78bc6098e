package com.nttdocomo.dojaemu;

import java.io.File;
import java.io.IOException;
import java.net.URL;
import java.util.Enumeration;
import java.util.HashSet;
import java.util.Set;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

/**
 * The parent of the application's class loader: it passes on only the classes
 * that the profile's API archive declares (the CLDC and DoJa classes of the
 * handset), so a desktop class is as unknown to the application as on a
 * handset. The emulator's working classes stand behind those names.
 */
public final class HandsetClasses extends ClassLoader {
    private final Set<String> declared;

    private HandsetClasses(ClassLoader emulator, Set<String> declared) {
        super(emulator);
        this.declared = declared;
    }

    /**
     * The wall over the API archives (every dojaapi.jar) of the class path,
     * or null when the class path holds none.
     */
    public static HandsetClasses of(String classPath, ClassLoader emulator) throws IOException {
        Set<String> declared = new HashSet<>();
        boolean found = false;
        for (String element : classPath.split(File.pathSeparator)) {
            File archive = new File(element);
            if (!archive.getName().equalsIgnoreCase("dojaapi.jar") || !archive.isFile())
                continue;
            found = true;
            try (ZipFile zip = new ZipFile(archive)) {
                for (Enumeration<? extends ZipEntry> entries = zip.entries(); entries.hasMoreElements();) {
                    String name = entries.nextElement().getName();
                    if (name.endsWith(".class"))
                        declared.add(name.substring(0, name.length() - 6).replace('/', '.'));
                }
            }
        }
        return found ? new HandsetClasses(emulator, declared) : null;
    }

    @Override
    protected Class<?> loadClass(String name, boolean resolve) throws ClassNotFoundException {
        if (!declared.contains(name))
            throw new ClassNotFoundException(name);
        return super.loadClass(name, resolve);
    }

    // The application's resources come from its own archive alone.
    @Override
    public URL getResource(String name) {
        return null;
    }

    @Override
    public Enumeration<URL> getResources(String name) {
        return java.util.Collections.emptyEnumeration();
    }
}
