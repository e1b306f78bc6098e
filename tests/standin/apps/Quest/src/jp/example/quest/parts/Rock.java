package jp.example.quest.parts;

public class Rock {
    private final int x;

    public Rock(int x) {
        this.x = x;
    }

    public int x() {
        return x;
    }
}
