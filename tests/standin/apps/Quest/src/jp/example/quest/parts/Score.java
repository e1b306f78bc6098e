package jp.example.quest.parts;

public class Score {
    private int total;

    public void add(int points) {
        total += points;
    }

    public int total() {
        return total;
    }
}
