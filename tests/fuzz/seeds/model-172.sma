3
0, 
9, span
12.5, span
2
1, 1, 1, 
3
1, 0, span
2
2E8, x
2E8, x
1
0.0004, 

2
1
2, 1, 1, span
2, 3, 2, 1, span
3
1, 1, 5
-2, 0, 0.5, span
1, 4
3, 6, 0, 0.5, span
2, 1, 10
5, 0.5, 0, 

1
1, 2, 0, "quoted, with comma"
